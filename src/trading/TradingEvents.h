#pragma once
// What trading announces. It calls no other subsystem: the shell connects the
// listeners, in the order they must run.
#include <QObject>

namespace Trading {

class Events : public QObject {
    Q_OBJECT
public:
    static Events& Get();

signals:
    /// A trade was carried out to its end; recorded when it added a row to the log.
    void traded(bool recorded);
    /// The Balance window's player asks to see the portfolio.
    void portfolioWanted();
    /// An order was placed or cancelled.
    void ordersChanged();
};

} // namespace Trading
