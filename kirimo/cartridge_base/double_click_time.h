#pragma once
// The system's double-click time in milliseconds (500 where there is no system
// setting to ask).
int SystemDoubleClickTime();
