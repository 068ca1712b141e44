#include "accessibility.h"

#include <QAccessible>
#include <QWidget>
#include <qpa/qplatformaccessibility.h>
#include <qpa/qplatformintegration.h>

#include <private/qguiapplication_p.h>

namespace {

void forwardVisible(QAccessibleEvent* event) {
    if (auto* w = qobject_cast<QWidget*>(event->object()); w && !w->isVisible()) return;
    if (QPlatformIntegration* platform = QGuiApplicationPrivate::platformIntegration())
        if (QPlatformAccessibility* bridge = platform->accessibility())
            bridge->notifyAccessibilityUpdate(event);
}

} // namespace

void quietHiddenControls() {
    QAccessible::installUpdateHandler(forwardVisible);
}
