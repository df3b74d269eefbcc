#pragma once

#include <QLabel>

namespace vte {

// A label that answers a double-click, and Enter or Space when it has the
// focus, so swatches and logo pictures can be used from the keyboard too.
// Assistive tools meet it as the button it is, named by its accessible name
// or else its text, and can press it.
class ClickableLabel : public QLabel
{
    Q_OBJECT

public:
    explicit ClickableLabel(QWidget *parent = nullptr);

signals:
    void doubleClicked();

protected:
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
};

} // namespace vte
