#pragma once

#include <QWidget>

namespace rechenmaschine {

// Says a short German text through the screen reader, once, without showing anything.
//
// Qt 6.8 has an announcement event for this. Before it, the only way Orca demonstrably
// speaks is a notification appearing: this widget has the notification role, takes the
// text as its name and is shown; it has no size and paints nothing.
class Ansager : public QWidget {
    Q_OBJECT
public:
    explicit Ansager(QWidget* parent);

    void sage(const QString& text);
    QString text() const { return text_; }

signals:
    // Each time, whether or not a screen reader is listening.
    void gesagt(const QString& text);

private:
    QString text_;
};

} // namespace rechenmaschine
