// The main window's toolbar and status bar: their pictures, lines and labels,
// laid out again as the window is resized.
#include "GamePanel.h"
#include "PictureBox.h"
#include "frmEditor.h"
#include "ui/Accessibility.h"
#include "ui/App.h"
#include "ui/Controls.h"
#include "ui/Twips.h"
#include <QLabel>

void frmEditor::createToolbar()
{
    Picture2 = new PictureBox(this, QStringLiteral("Picture2"), 855);
    Accessibility::SetRole(Picture2, QAccessible::ToolBar);
    new LineItem(Picture2, QStringLiteral("Line14"), Twips::Colour(0x00808080), 0, 0, 12000, 0);
    new LineItem(Picture2, QStringLiteral("Line11"), palette().color(QPalette::Base), 0, 14, kClientWidthTwips, 14);
    new LineItem(Picture2, QStringLiteral("Line10"), Twips::Colour(0x00808080), 0, 840, kClientWidthTwips, 840);
    connect(Picture2, &PictureBox::resized, this, &frmEditor::Picture2_Resize);

    struct Button {
        ImageButton** target;
        const char *up, *dn, *upn, *tip;
        int left;
        const char* picture; ///< its images in the toolbar resources
        QAction* command; ///< the menu entry's, which it shares
        const char* caption; ///< the word its pictures carry
    };
    const Button buttons[] = {
        {&Newup, "Newup", "newdn", "newupn", QT_TR_NOOP("New game"), 0, "new", fileItems_[0],
            //: Under the toolbar's picture: a new game.
            QT_TR_NOOP("New")},
        {&tradeup, "tradeup", "tradedn", "tradeupn", QT_TR_NOOP("Trading desk"), 2040, "trade", assetItems_[0],
            //: Under the toolbar's picture: the Trading desk.
            QT_TR_NOOP("Trade")},
        {&chartup, "chartup", "chartdn", "chartupn", QT_TR_NOOP("Stock performance chart"), 2880, "chart",
            assetItems_[2], QT_TR_NOOP("Chart")},
        {&balup, "balup", "baldn", "balupn", QT_TR_NOOP("Balance"), 3720, "balance", analyzeItems_[0],
            QT_TR_NOOP("Balance")},
    };
    for (const Button& b : buttons) {
        // Two hidden images only store the button's pressed and released pictures.
        auto* dn = new QLabel(Picture2);
        dn->setObjectName(QString::fromLatin1(b.dn));
        dn->setPixmap(QPixmap(QStringLiteral(":/toolbar/%1-down.png").arg(QLatin1String(b.picture))));
        Twips::Place(dn, b.left, 1080, 825, 705);
        dn->hide();
        auto* upn = new QLabel(Picture2);
        upn->setObjectName(QString::fromLatin1(b.upn));
        upn->setPixmap(QPixmap(QStringLiteral(":/toolbar/%1-up.png").arg(QLatin1String(b.picture))));
        Twips::Place(upn, b.left, 1320, 825, 705);
        upn->hide();
        auto* up = new ImageButton(Picture2, QString::fromLatin1(b.up), dn, upn);
        Twips::Place(up, b.left, 120, 825, 705);
        up->setToolTip(tr(b.tip));
        up->setAccessibleName(tr(b.tip));
        *b.target = up;
        if (up == Newup) // runs before the command it triggers
            connect(up, &ImageButton::clicked, this, &frmEditor::Newup_Click);
        up->BindTo(b.command);
        if (!App::Language().isEmpty()) // the pictures carry the English word
            up->SetCaption(tr(b.caption));
    }
}

void frmEditor::createStatusBar()
{
    Picture1 = new PictureBox(this, QStringLiteral("Picture1"), 435);
    Accessibility::SetRole(Picture1, QAccessible::StatusBar); // where a screen reader looks for the clock
    const QColor grey = Twips::Colour(0x00808080), white = Twips::Colour(0x00FFFFFF);
    new LineItem(Picture1, QStringLiteral("Line5"), Twips::Colour(0x00E0E0E0), 0, 0, 12000, 0);
    new LineItem(Picture1, QStringLiteral("Line7"), grey, 120, 120, 120, 360);
    new LineItem(Picture1, QStringLiteral("Line8"), grey, 120, 120, 5640, 120);
    new LineItem(Picture1, QStringLiteral("Line6"), white, 120, 360, 5640, 360);
    new LineItem(Picture1, QStringLiteral("Line9"), white, 5640, 120, 5640, 360);
    new LineItem(Picture1, QStringLiteral("Line2"), grey, 5760, 120, 7560, 120);
    new LineItem(Picture1, QStringLiteral("Line3"), grey, 5760, 120, 5760, 360);
    new LineItem(Picture1, QStringLiteral("Line1"), white, 7560, 360, 5760, 360);
    new LineItem(Picture1, QStringLiteral("Line4"), white, 7560, 120, 7560, 360);

    Label1 = new FitLabel(Picture1);
    Label1->setObjectName(QStringLiteral("Label1"));
    // Described, not named: a name would hide the time it shows.
    Label1->setAccessibleDescription(tr("Simulated date and time"));
    Label1->setToolTip(tr("Simulated date and time"));
    Label1->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    Twips::Place(Label1, 5880, 120, 1635, 195);
    Label2 = new FitLabel(Picture1);
    Label2->setObjectName(QStringLiteral("Label2"));
    Label2->setAccessibleDescription(tr("Simulated weekday"));
    Label2->setToolTip(tr("Simulated weekday"));
    Label2->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    Twips::Place(Label2, 4440, 120, 1215, 255);
    lblStatus = new FitLabel(Picture1);
    lblStatus->setObjectName(QStringLiteral("lblStatus"));
    lblStatus->SetShrinks(false); // readable: what does not fit ends in an ellipsis, whole in its tooltip
    lblStatus->setAccessibleDescription(tr("What the market did"));
    lblPace = new FitLabel(Picture1);
    lblPace->setObjectName(QStringLiteral("lblPace"));
    lblPace->setAccessibleDescription(tr("Pause and speed"));
    lblPace->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    lblNews = new FitLabel(Picture1);
    lblNews->setObjectName(QStringLiteral("lblNews"));
    lblNews->setAccessibleDescription(tr("Market news"));
    lblNews->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    connect(Picture1, &PictureBox::resized, this, &frmEditor::Picture1_Resize);
}

void frmEditor::Picture1_Resize()
{
    const int W = Twips::FromPixels(Picture1->width());
    Twips::SetLeft(Label1, W - Twips::Width(Label1) - 300);
    Picture1->line("Line5")->X2 = W;
    auto* l2 = Picture1->line("Line2");
    l2->X1 = W - 1920;
    l2->X2 = W - 120;
    auto* l4 = Picture1->line("Line4");
    l4->X1 = l4->X2 = W - 120;
    auto* l1 = Picture1->line("Line1");
    l1->X1 = W - 1920;
    l1->X2 = W - 120;
    auto* l3 = Picture1->line("Line3");
    l3->X1 = l3->X2 = W - 1920;
    Picture1->line("Line8")->X2 = W - 2040;
    Picture1->line("Line6")->X2 = W - 2040;
    auto* l9 = Picture1->line("Line9");
    l9->X1 = l9->X2 = W - 2040;
    Twips::SetLeft(Label2, W - 2040 - 1215);
    // The pace and the news choice as wide as their words, what the market did in the rest of the panel.
    auto widthOf = [](const QLabel* l) {
        return l->text().isEmpty() ? 0 : Twips::FromPixels(l->fontMetrics().horizontalAdvance(l->text())) + 120;
    };
    const int pace = widthOf(lblPace), news = widthOf(lblNews);
    Twips::Place(lblPace, W - 2040 - 1215 - 120 - pace, 120, pace, 255);
    Twips::Place(lblNews, W - 2040 - 1215 - 120 - pace - news, 120, news, 255);
    Twips::Place(lblStatus, 240, 120, std::max(0, W - 2040 - 1215 - 120 - pace - news - 360), 255);
    Picture1->update();
}

void frmEditor::Picture2_Resize()
{
    const int W = Twips::FromPixels(Picture2->width());
    Picture2->line("Line10")->X2 = W;
    Picture2->line("Line11")->X2 = W;
    Picture2->update();
}
