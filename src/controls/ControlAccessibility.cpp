// SPDX-License-Identifier: MIT
#include "controls/ControlAccessibility.h"

#include "controls/GroupBox.h"
#include "controls/Panel.h"

#include <QAccessible>
#include <QAccessibleWidget>

namespace {

class PanelAccessible final : public QAccessibleWidget {
public:
    explicit PanelAccessible(Panel* panel)
        : QAccessibleWidget(panel, panel->isClickable() ? QAccessible::Button
                                   : panel->caption().isEmpty() ? QAccessible::Pane
                                                                : QAccessible::StaticText)
    {
        if (panel->isClickable())
            addControllingSignal(QStringLiteral("clicked()"));
    }

    Panel* panel() const { return static_cast<Panel*>(widget()); }

    QAccessible::Role role() const override
    {
        if (panel()->isClickable())
            return QAccessible::Button;
        return panel()->caption().isEmpty() ? QAccessible::Pane : QAccessible::StaticText;
    }

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name) {
            const QString explicitName = widget()->accessibleName();
            return explicitName.isEmpty() ? panel()->caption() : explicitName;
        }
        if (t == QAccessible::Description || t == QAccessible::Help)
            return widget()->toolTip();
        return QAccessibleWidget::text(t);
    }

    QStringList actionNames() const override
    {
        if (panel()->isClickable() && panel()->isEnabled())
            return {pressAction()};
        return {};
    }

    void doAction(const QString& actionName) override
    {
        if (actionName == pressAction())
            panel()->click();
    }
};

class GroupBoxAccessible final : public QAccessibleWidget {
public:
    explicit GroupBoxAccessible(GroupBox* box) : QAccessibleWidget(box, QAccessible::Grouping) {}
    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name)
            return static_cast<GroupBox*>(widget())->caption();
        return QAccessibleWidget::text(t);
    }
};

QAccessibleInterface* factory(const QString& className, QObject* object)
{
    if (!object || !object->isWidgetType())
        return nullptr;
    if (className == QLatin1String("Panel"))
        return new PanelAccessible(static_cast<Panel*>(object));
    if (className == QLatin1String("GroupBox"))
        return new GroupBoxAccessible(static_cast<GroupBox*>(object));
    if (className == QLatin1String("Image"))
        return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Graphic);
    return nullptr;
}

} // namespace

namespace ControlAccessibility {

void install()
{
    static bool installed = false;
    if (installed)
        return;
    installed = true;
    QAccessible::installFactory(&factory);
}

} // namespace ControlAccessibility
