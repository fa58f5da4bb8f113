#pragma once

#include <QLineEdit>

#include <cstdint>

namespace rechenmaschine {

// A one-digit field that takes the focus and shows its caret, but whose text only the
// machine changes: every edit path of QLineEdit is closed or undone.
class Ziffernfeld : public QLineEdit {
    Q_OBJECT
public:
    explicit Ziffernfeld(QWidget* parent);

    // The digit the machine gave it.
    void schreibe(const QString& text);

signals:
    // Raised before the field's own handling of the key, which still follows.
    void keyDown(std::int16_t tastencode, std::int16_t umschaltstatus);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;
    QVariant inputMethodQuery(Qt::InputMethodQuery query) const override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void halteText();

    QString text_;
};

} // namespace rechenmaschine
