#include "frmHelp.h"
#include "GameShell.h"
#include "ui/Twips.h"
#include <QApplication>
#include <QFile>
#include <QFontDatabase>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QListWidget>
#include <QRegularExpression>
#include <QStringDecoder>
#include <QTextBrowser>

frmHelp::frmHelp()
{
    setWindowTitle(tr("Varnel Ticora Help"));
    auto* box = new QHBoxLayout(this);
    lstTopics = new QListWidget(this);
    lstTopics->setObjectName(QStringLiteral("lstTopics"));
    lstTopics->setAccessibleName(tr("Help topics"));
    lstTopics->setToolTip(tr("Help topics"));
    txtTopic = new QTextBrowser(this);
    txtTopic->setObjectName(QStringLiteral("txtTopic"));
    txtTopic->setAccessibleName(tr("Help text"));
    // A caret, so that the arrow keys read the topic line by line.
    txtTopic->setTextInteractionFlags(txtTopic->textInteractionFlags() | Qt::TextSelectableByKeyboard);
    txtTopic->setToolTip(tr("Help text"));
    // The topics are laid out in columns of fixed-width text, 80 characters wide.
    txtTopic->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    txtTopic->setMinimumWidth(txtTopic->fontMetrics().horizontalAdvance(QString(82, QLatin1Char('x'))) + 30);
    box->addWidget(lstTopics, 0);
    box->addWidget(txtTopic, 1);
    resize(sizeHint().width(), Twips::ToPixels(7200));
    connect(lstTopics, &QListWidget::currentRowChanged, this, [this](int row) {
        if (row >= 0)
            ShowTopic(lstTopics->item(row)->data(Qt::UserRole).toInt());
    });
}

void frmHelp::SetTopics(Help::Topics topics)
{
    topics_ = std::move(topics);
    const QSignalBlocker quiet(lstTopics);
    lstTopics->clear();
    for (const auto& [n, t] : topics_) {
        auto* item = new QListWidgetItem(t.title, lstTopics);
        item->setData(Qt::UserRole, n);
    }
    current_ = -1;
    // Every title whole, without a horizontal scroll bar.
    lstTopics->setMinimumWidth(lstTopics->sizeHintForColumn(0) + 2 * lstTopics->frameWidth() + 8);
}

void frmHelp::ShowTopic(int context)
{
    if (!topics_.count(context))
        context = 0;
    if (!topics_.count(context))
        return;
    current_ = context;
    const Help::Topic& t = topics_.at(context);
    txtTopic->setHtml(QStringLiteral("<h3>%1</h3><pre style=\"white-space: pre-wrap\">%2</pre>")
                          .arg(t.title.toHtmlEscaped(), t.text.toHtmlEscaped()));
    const QSignalBlocker quiet(lstTopics);
    for (int i = 0; i < lstTopics->count(); ++i)
        if (lstTopics->item(i)->data(Qt::UserRole).toInt() == context)
            lstTopics->setCurrentRow(i);
}
