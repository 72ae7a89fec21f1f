#pragma once
// What the market announces. It calls no other subsystem: the shell connects
// the listeners, in the order they must run.
#include <QObject>

namespace Market {

class Events : public QObject {
    Q_OBJECT
public:
    static Events& Get();

signals:
    /// Every stock has its new price stored.
    void moved();
    /// Headlines the move brought, oldest first: each told once.
    void headlines(const QStringList& told);
};

} // namespace Market
