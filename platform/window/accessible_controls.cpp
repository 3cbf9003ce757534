#include "platform/window/accessible_controls.h"

#include "platform/window/picture_box.h"
#include "platform/window/side_window.h"

#include <QAccessibleWidget>

namespace platform {

namespace {

class AccessibleLabel final : public QAccessibleWidget {
public:
    explicit AccessibleLabel(Label* label) : QAccessibleWidget(label) {}

    QAccessible::Role role() const override
    {
        switch (label()->role()) {
        case Label::Role::PushButton: return QAccessible::Button;
        case Label::Role::RadioButton: return QAccessible::RadioButton;
        case Label::Role::Text: break;
        }
        return label()->text().isEmpty() ? QAccessible::Graphic : QAccessible::StaticText;
    }

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name && label()->accessibleName().isEmpty())
            return label()->text();
        return QAccessibleWidget::text(t);
    }

    QAccessible::State state() const override
    {
        QAccessible::State s = QAccessibleWidget::state();
        if (label()->role() == Label::Role::RadioButton) {
            s.checkable = true;
            s.checked = label()->isChecked();
        }
        return s;
    }

    QStringList actionNames() const override
    {
        QStringList names = QAccessibleWidget::actionNames();
        if (label()->role() == Label::Role::PushButton)
            names.prepend(pressAction());
        else if (label()->role() == Label::Role::RadioButton)
            names.prepend(toggleAction());
        return names;
    }

    void doAction(const QString& name) override
    {
        const Label::Role r = label()->role();
        if ((r == Label::Role::PushButton && name == pressAction())
            || (r == Label::Role::RadioButton && name == toggleAction()))
            label()->press();
        else
            QAccessibleWidget::doAction(name);
    }

    QStringList keyBindingsForAction(const QString& name) const override
    {
        if (name == pressAction() || name == toggleAction())
            return {QStringLiteral("Space")};
        return QAccessibleWidget::keyBindingsForAction(name);
    }

private:
    Label* label() const { return static_cast<Label*>(widget()); }
};

class AccessiblePicture final : public QAccessibleWidget, public QAccessibleValueInterface {
public:
    explicit AccessiblePicture(PictureBox* picture) : QAccessibleWidget(picture) {}

    QAccessible::Role role() const override
    {
        return picture()->value() ? QAccessible::Slider : QAccessible::Graphic;
    }

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Value && picture()->value())
            return QString::number(*picture()->value());
        return QAccessibleWidget::text(t);
    }

    void* interface_cast(QAccessible::InterfaceType t) override
    {
        if (t == QAccessible::ValueInterface && picture()->value())
            return static_cast<QAccessibleValueInterface*>(this);
        return QAccessibleWidget::interface_cast(t);
    }

    QVariant currentValue() const override { return picture()->value().value_or(0); }
    void setCurrentValue(const QVariant& value) override { picture()->chooseValue(value.toInt()); }
    QVariant maximumValue() const override { return picture()->maximum(); }
    QVariant minimumValue() const override { return picture()->minimum(); }
    QVariant minimumStepSize() const override { return 1; }

private:
    PictureBox* picture() const { return static_cast<PictureBox*>(widget()); }
};

QAccessibleInterface* describe(const QString& className, QObject* object)
{
    // Qt asks once for each class from the object's own up to QObject, and
    // keeps what it is given in its cache until the object is destroyed.
    if (className == QLatin1String(Label::staticMetaObject.className()))
        return new AccessibleLabel(static_cast<Label*>(object));
    if (className == QLatin1String(PictureBox::staticMetaObject.className()))
        return new AccessiblePicture(static_cast<PictureBox*>(object));
    return nullptr;
}

}  // namespace

void installAccessibleControls()
{
    static const bool installed = [] {
        QAccessible::installFactory(describe);
        return true;
    }();
    (void)installed;
}

}  // namespace platform
