// Finds a control by the template id it carries in its "templateId" property.
#pragma once

#include <QObject>
#include <QVariant>
#include <QWidget>

inline constexpr const char* kTemplateIdProperty = "templateId";

template <class Widget = QWidget> Widget* FindByTemplateId(const QObject* parent, int id)
{
    const auto children = parent->findChildren<Widget*>();
    for (Widget* child : children) {
        if (child->property(kTemplateIdProperty).toInt() == id)
            return child;
    }
    return nullptr;
}
