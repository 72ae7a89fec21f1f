#pragma once
// Listing a new stock and correcting a listed one.
#include "Symbols.h"
#include "app/kit/Forms.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace dao {
class Database;
}

/// Add Asset: the name, symbol and figures of a stock to list.
class Form6 : public Form {
    Q_OBJECT
public:
    static constexpr const char* kFormName = "Form6";
    Form6();

    QLabel *Label1, *Label2, *Label3, *Label4, *Label5, *Label6;
    QLineEdit* Text1; ///< name
    QLineEdit* Text2; ///< symbol
    QLineEdit* Text3; ///< current price
    QLineEdit* Text4; ///< Min
    QLineEdit* Text5; ///< Max
    QLineEdit* Text6; ///< volume
    QPushButton* Command1; ///< Enter
    QPushButton* Command2; ///< Cancel

    void Command1_Click();
    void Command2_Click();
};

/// Edit stock: correct a listed stock's price, range and volume.
class Form7 : public Form {
    Q_OBJECT
public:
    static constexpr const char* kFormName = "Form7";
    Form7();
    void formLoad() override;

    QLabel *Label1, *Label2, *Label3, *Label4, *Label5, *Label6;
    QComboBox* editstock;
    QLineEdit* Text1; ///< name, shown only
    QLineEdit* Text2; ///< current price
    QLineEdit* Text3; ///< Min
    QLineEdit* Text4; ///< volume
    QLineEdit* Text5; ///< Max
    QPushButton* Command1; ///< Enter
    QPushButton* Command2; ///< Cancel

    void editstock_Click();
    void Command1_Click();
    void Command2_Click();
};

namespace Assets {

/// Why a symbol cannot name a new stock in this market, or empty when it can:
/// it must be a plain name (a letter, then letters A to Z, digits and "_"), no
/// word of the database language, and neither it nor its tables' and queries'
/// names may equal, in any letter case, a name the market already holds. The
/// exact twin of a listed symbol is left to the listing's own check.
QString SymbolProblem(dao::Database& market, const QString& symbol);

} // namespace Assets
