#pragma once
// What the options window's parts share while it is open: whether there is
// anything for Apply to store, and whether the window itself is filling or
// storing (then a control's change is not the user's).

namespace OptionsSupport {

struct OptionsChanges {
    bool applyEnabled = false;
    bool eventsSuppressed = false;
};

} // namespace OptionsSupport
