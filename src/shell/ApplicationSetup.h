#pragma once

// The application object as the program sets it up once it is made: the classic,
// unthemed Windows look, so that the controls' background colours show as set, and
// no quitting when the last window closes: the program ends only when the setup
// window closes, and closing a box while the setup window is minimised must not end it.

void SetUpApplication();
