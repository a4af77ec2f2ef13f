#pragma once

#include "platform/InputEvent.h"

// One input event as the main loop handles it: a mouse press first moves the
// focus to the widget under the pointer, then the focus chain is offered the
// event, and a close request ends the loop. The mouse wheel only scrolls.
void processEvent(const InputEvent& event);
