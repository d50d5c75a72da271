// SubclassCallback -- the owner side of event routing (see Subclasser).
// No name here is fixed by the program's design.
#pragma once

#include <QtGlobal>

class QWidget;

namespace controls {

class SubclassCallback
{
public:
    // before: called ahead of the widget's own handling (true) or after it
    // (false). Setting handled in a before call keeps the event from the
    // widget and from the after call; result then becomes the event's
    // accepted flag (non-zero accepts). After the widget's handling, result
    // arrives as that flag and may be changed.
    virtual void windowProc(bool before, bool &handled, qint32 &result, QWidget *window,
                            int message, qint32 wParam, qint32 lParam, qint32 &userValue) = 0;

protected:
    ~SubclassCallback() = default;
};

} // namespace controls
