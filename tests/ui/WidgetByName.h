#pragma once
// Finding a window's private controls in tests, the way users' tools find them: by the
// object name each window gives its controls.

#include <QObject>
#include <QString>

namespace korvane::testing {

// A window's control found by its object name, as users' tools find it; a name the window
// does not have ends the test at once, naming it.
template <class Control> Control *Widget(const QObject &window, const char *name) {
    auto *control = window.findChild<Control *>(QString::fromLatin1(name));
    if (!control)
        qFatal("the window has no %s named \"%s\"", Control::staticMetaObject.className(), name);
    return control;
}

} // namespace korvane::testing
