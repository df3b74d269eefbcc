#include "ui/comboboxaccessible.h"

#include <QAbstractItemView>
#include <QAccessibleWidget>
#include <QComboBox>

namespace vte {

namespace {

// Qt names a choice box on Linux by its current entry, leaving the name to a
// caption beside it; several of ours have none, and a screen reader then
// announced the entry ("0", "The Gilded Rovers") instead of the box. This one
// says the box's own name, and its entry as its value and as read-only text,
// where screen readers look for a box's value.
class ComboBoxAccessible final : public QAccessibleWidget, public QAccessibleTextInterface
{
public:
    explicit ComboBoxAccessible(QComboBox *box)
        : QAccessibleWidget(box, QAccessible::ComboBox)
    { }

    void *interface_cast(QAccessible::InterfaceType type) override
    {
        return type == QAccessible::TextInterface ? static_cast<QAccessibleTextInterface *>(this)
                                                  : QAccessibleWidget::interface_cast(type);
    }
    QString text(QAccessible::Text t) const override
    {
        const QString text = t == QAccessible::Value ? QString() : QAccessibleWidget::text(t);
        return text.isEmpty() && (t == QAccessible::Name || t == QAccessible::Value) ? entry() : text;
    }
    // The entries, in the list that drops down.
    int childCount() const override { return 1; }
    QAccessibleInterface *child(int index) const override
    {
        return index == 0 ? QAccessible::queryAccessibleInterface(box()->view()) : nullptr;
    }
    int indexOfChild(const QAccessibleInterface *child) const override
    {
        return child && child->object() == box()->view() ? 0 : -1;
    }
    QStringList actionNames() const override { return {showMenuAction(), pressAction()}; }
    void doAction(const QString &action) override
    {
        if (action != showMenuAction() && action != pressAction())
            return;
        if (box()->view()->isVisible())
            box()->hidePopup();
        else
            box()->showPopup();
    }

    QString text(int startOffset, int endOffset) const override
    {
        return entry().mid(startOffset, endOffset - startOffset);
    }
    int characterCount() const override { return static_cast<int>(entry().size()); }
    QString attributes(int, int *startOffset, int *endOffset) const override
    {
        *startOffset = 0;
        *endOffset = characterCount();
        return {};
    }
    // Nothing to select, no cursor, no place of its own for each character.
    int cursorPosition() const override { return 0; }
    void setCursorPosition(int) override { }
    int selectionCount() const override { return 0; }
    void selection(int, int *startOffset, int *endOffset) const override { *startOffset = *endOffset = 0; }
    void addSelection(int, int) override { }
    void removeSelection(int) override { }
    void setSelection(int, int, int) override { }
    QRect characterRect(int) const override { return {}; }
    int offsetAtPoint(const QPoint &) const override { return -1; }
    void scrollToSubstring(int, int) override { }

private:
    QComboBox *box() const { return static_cast<QComboBox *>(widget()); }
    QString entry() const { return box()->currentText(); }
};

QAccessibleInterface *comboBoxAccessible(const QString &className, QObject *object)
{
    auto *box = qobject_cast<QComboBox *>(object);
    if (className != QLatin1String("QComboBox") || !box || box->isEditable())
        return nullptr;
    return new ComboBoxAccessible(box);
}

} // namespace

void installComboBoxAccessible()
{
    QAccessible::installFactory(comboBoxAccessible);
}

} // namespace vte
