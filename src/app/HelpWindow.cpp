#include "HelpWindow.h"
#include "GameShell.h"
#include <QApplication>
#include <QFile>
#include <QFontDatabase>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QListWidget>
#include <QRegularExpression>
#include <QStringDecoder>
#include <QTextBrowser>

HelpWindow::HelpWindow()
{
    setWindowTitle(tr("Varnel Ticora Help"));
    auto* box = new QHBoxLayout(this);
    topicsList = new QListWidget(this);
    topicsList->setObjectName(QStringLiteral("topicsList"));
    topicsList->setAccessibleName(tr("Help topics"));
    topicsList->setToolTip(tr("Help topics"));
    topicText = new QTextBrowser(this);
    topicText->setObjectName(QStringLiteral("topicText"));
    topicText->setAccessibleName(tr("Help text"));
    // A caret, so that the arrow keys read the topic line by line.
    topicText->setTextInteractionFlags(topicText->textInteractionFlags() | Qt::TextSelectableByKeyboard);
    topicText->setToolTip(tr("Help text"));
    // The topics are laid out in columns of fixed-width text, 80 characters wide.
    topicText->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    topicText->setMinimumWidth(topicText->fontMetrics().horizontalAdvance(QString(82, QLatin1Char('x'))) + 30);
    box->addWidget(topicsList, 0);
    box->addWidget(topicText, 1);
    resize(sizeHint().width(), fontMetrics().height() * 32);
    connect(topicsList, &QListWidget::currentRowChanged, this, [this](int row) {
        if (row >= 0)
            ShowTopic(topicsList->item(row)->data(Qt::UserRole).toInt());
    });
}

void HelpWindow::SetTopics(Help::Topics topics)
{
    topics_ = std::move(topics);
    const QSignalBlocker quiet(topicsList);
    topicsList->clear();
    for (const auto& [n, t] : topics_) {
        auto* item = new QListWidgetItem(t.title, topicsList);
        item->setData(Qt::UserRole, n);
    }
    current_ = -1;
    // Every title whole, without a horizontal scroll bar.
    topicsList->setMinimumWidth(topicsList->sizeHintForColumn(0) + 2 * topicsList->frameWidth() + 8);
}

void HelpWindow::ShowTopic(int context)
{
    if (!topics_.count(context))
        context = 0;
    if (!topics_.count(context))
        return;
    current_ = context;
    const Help::Topic& t = topics_.at(context);
    topicText->setHtml(QStringLiteral("<h3>%1</h3><pre style=\"white-space: pre-wrap\">%2</pre>")
                          .arg(t.title.toHtmlEscaped(), t.text.toHtmlEscaped()));
    const QSignalBlocker quiet(topicsList);
    for (int i = 0; i < topicsList->count(); ++i)
        if (topicsList->item(i)->data(Qt::UserRole).toInt() == context)
            topicsList->setCurrentRow(i);
}
