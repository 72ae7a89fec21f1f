#pragma once
// Shared test helpers: a temporary application folder with its own copy of the
// starter market, a message-box recorder that answers, scripted random draws.
#include "app/kit/MsgBox.h"
#include "data/dao/Value.h"
#include <QString>
#include <QTemporaryDir>
#include <deque>
#include <gtest/gtest.h>
#include <optional>
#include <ostream>
#include <vector>

struct RecordedMessage {
    QString text;
    QString caption;
    Ui::Icon icon;
    Ui::Buttons buttons;
    bool defaultSecond;
};

/// Records every message box; answers Yes/No from a queue (OK otherwise).
class MessageRecorder {
public:
    MessageRecorder();
    ~MessageRecorder();
    std::vector<RecordedMessage> messages;
    std::deque<Ui::Answer> answers;
    QStringList texts() const;

private:
    Ui::MsgBoxHandler previous_;
};

/// Each test gets its own application folder with a fresh starter market.
class AppFolderTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;
    QString path(const QString& name) const { return dir_.filePath(name); }
    QString folder() const { return dir_.path(); }
    /// A file's bytes; none when it is not there.
    std::optional<QByteArray> fileBytes(const QString& name) const;

    QTemporaryDir dir_;
    MessageRecorder msgs;
};

/// Files may not grow past a size while this lives: a full disk, as the
/// engine meets it.
struct FileSizeLimit {
    explicit FileSizeLimit(long bytes);
    ~FileSizeLimit();
    long old[2];
};

/// Draws returned in order by the market's random source; cycles when used up.
void ScriptDraws(std::vector<int> draws);
void ResetDraws();

/// Rows of a query run through a plain sqlite3 connection, as any other client
/// would run it: columns joined by '|', NULL as "NULL".
QStringList RawRows(const QString& file, const QString& sql);

/// Appends a row to a game file's trade log, as a trade would.
namespace dao {
class Database;
}
void AddTrade(dao::Database& game, const QString& symbol, dao::Value price, dao::Value units, dao::Value result);

/// Runs the deferred deletions of unloaded windows.
void ProcessDeletions();

namespace dao {
void PrintTo(const Value& v, std::ostream* os);
}

void PrintTo(const QString& s, std::ostream* os);
void PrintTo(const QStringList& l, std::ostream* os);
