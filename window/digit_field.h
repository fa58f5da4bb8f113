#pragma once

#include <QLineEdit>

#include <cstdint>

namespace rechenmaschine {

// A one-digit field that takes the focus and shows its caret, but whose text only the
// machine changes: every edit path of QLineEdit is closed or undone.
class DigitField : public QLineEdit {
    Q_OBJECT
public:
    DigitField(int index, QWidget* parent);

    void schreibe(const QString& text);

signals:
    // Raised before the field's own handling of the key, which still follows.
    void keyDown(int index, std::int16_t tastencode, std::int16_t umschaltstatus);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;
    QVariant inputMethodQuery(Qt::InputMethodQuery query) const override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void halteText();

    int index_;
    QString text_;
};

} // namespace rechenmaschine
