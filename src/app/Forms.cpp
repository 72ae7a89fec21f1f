#include "Forms.h"
#include <QCloseEvent>
#include <vector>

namespace {
std::vector<QPointer<QWidget>>& registry()
{
    static std::vector<QPointer<QWidget>> r;
    return r;
}
void prune()
{
    auto& r = registry();
    std::erase_if(r, [](const QPointer<QWidget>& p) { return p.isNull(); });
}
} // namespace

Form::Form(QWidget* parent, Qt::WindowFlags f) : QWidget(parent ? parent : Forms::Owner(), f) {}

void Form::closeEvent(QCloseEvent* e)
{
    e->accept();
    Forms::Unload(this);
}

namespace Forms {

QWidget* Find(const QString& name)
{
    prune();
    for (const auto& p : registry())
        if (p->objectName() == name)
            return p;
    return nullptr;
}

QList<QWidget*> Loaded()
{
    prune();
    QList<QWidget*> out;
    for (const auto& p : registry())
        out << p.data();
    return out;
}

QStringList LoadedNames()
{
    QStringList out;
    for (QWidget* w : Loaded())
        out << w->objectName();
    return out;
}

void Register(QWidget* w)
{
    registry().emplace_back(w);
}

void Unload(QWidget* w)
{
    if (!w)
        return;
    std::erase_if(registry(), [w](const QPointer<QWidget>& p) { return p.isNull() || p.data() == w; });
    w->hide();
    // Deferred: the window may be unloading itself from one of its own handlers.
    w->deleteLater();
}

void Unload(const QString& name)
{
    Unload(Find(name));
}

QWidget* Owner()
{
    return Find(QStringLiteral("frmEditor"));
}

} // namespace Forms
