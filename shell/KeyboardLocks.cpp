#include "shell/KeyboardLocks.h"

#include <QGuiApplication>
#include <QtGui/qguiapplication_platform.h>

#if QT_CONFIG(xcb)
#include <dlfcn.h>

namespace {

// Bits of the X keyboard extension's indicator state on the usual keymaps.
constexpr unsigned kCapsLockBit = 1u << 0;
constexpr unsigned kNumLockBit = 1u << 1;
constexpr unsigned kScrollLockBit = 1u << 2;
constexpr unsigned kXkbUseCoreKbd = 0x0100;

using XkbGetIndicatorStateFn = int (*)(void* display, unsigned deviceSpec, unsigned* state);

// libX11 is loaded at run time, so the program neither links it nor needs it on other platforms.
XkbGetIndicatorStateFn IndicatorStateFunction() {
    static XkbGetIndicatorStateFn function = [] {
        void* library = dlopen("libX11.so.6", RTLD_LAZY | RTLD_LOCAL);
        return library ? reinterpret_cast<XkbGetIndicatorStateFn>(dlsym(library, "XkbGetIndicatorState")) : nullptr;
    }();
    return function;
}

} // namespace
#endif

bool ReadKeyboardLocks(KeyboardLocks& locks) {
#if QT_CONFIG(xcb)
    if (QGuiApplication::platformName() != QLatin1String("xcb"))
        return false;
    auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    void* display = x11 ? static_cast<void*>(x11->display()) : nullptr;
    XkbGetIndicatorStateFn function = IndicatorStateFunction();
    unsigned state = 0;
    if (!display || !function || function(display, kXkbUseCoreKbd, &state) != 0)
        return false;
    locks.caps = (state & kCapsLockBit) != 0;
    locks.num = (state & kNumLockBit) != 0;
    locks.scroll = (state & kScrollLockBit) != 0;
    return true;
#else
    (void)locks;
    return false;
#endif
}
