#include "base/Accessibility.h"

#include <QAccessibleWidget>
#include <QCoreApplication>
#include <QSlider>

namespace Accessibility {

namespace {

constexpr char RoleProperty[] = "tarvellAccessibleRole";
constexpr char UpsideDownProperty[] = "tarvellReadUpsideDown";

class UpsideDownSlider : public QAccessibleWidget, public QAccessibleValueInterface
{
public:
    explicit UpsideDownSlider(QSlider *slider) : QAccessibleWidget(slider, QAccessible::Slider) {}

    void *interface_cast(QAccessible::InterfaceType type) override
    {
        return type == QAccessible::ValueInterface ? static_cast<QAccessibleValueInterface *>(this)
                                                   : QAccessibleWidget::interface_cast(type);
    }
    QString text(QAccessible::Text t) const override
    {
        if (t != QAccessible::Value)
            return QAccessibleWidget::text(t);
        const int span = slider()->maximum() - slider()->minimum();
        const int percent = span > 0 ? qRound(100.0 * currentValue().toInt() / span) : 0;
        return QCoreApplication::translate("Accessibility", "%1 %").arg(percent);
    }
    QVariant currentValue() const override { return slider()->maximum() - slider()->value() + slider()->minimum(); }
    void setCurrentValue(const QVariant &value) override
    {
        slider()->setValue(slider()->maximum() - value.toInt() + slider()->minimum());
    }
    QVariant maximumValue() const override { return slider()->maximum(); }
    QVariant minimumValue() const override { return slider()->minimum(); }
    QVariant minimumStepSize() const override { return slider()->singleStep(); }

private:
    QSlider *slider() const { return static_cast<QSlider *>(widget()); }
};

QAccessibleInterface *factory(const QString &, QObject *object)
{
    if (!object || !object->isWidgetType())
        return nullptr;
    if (auto *slider = qobject_cast<QSlider *>(object); slider && slider->property(UpsideDownProperty).toBool())
        return new UpsideDownSlider(slider);
    if (const QVariant role = object->property(RoleProperty); role.isValid())
        return new QAccessibleWidget(static_cast<QWidget *>(object), QAccessible::Role(role.toInt()));
    return nullptr;
}

void installOnce()
{
    static const bool installed = [] {
        QAccessible::installFactory(factory);
        return true;
    }();
    Q_UNUSED(installed);
}

// A widget's interface is made once and kept; one made before the property
// was set (a value or name change announced while the window was built) is
// dropped, so that the next question gets the one made here.
void renew(QWidget *widget)
{
    if (QAccessibleInterface *made = QAccessible::queryAccessibleInterface(widget))
        QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(made));
}

} // namespace

void setRole(QWidget *window, QAccessible::Role role)
{
    installOnce();
    window->setProperty(RoleProperty, int(role));
    renew(window);
}

void setReadUpsideDown(QSlider *slider)
{
    installOnce();
    slider->setProperty(UpsideDownProperty, true);
    renew(slider);
}

} // namespace Accessibility
