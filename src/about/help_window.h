#pragma once

#include "controls/button.h"
#include "controls/window.h"

namespace zuk {

// The About window "Help": name, version and copyright, a web address and a mail address.
class HelpWindow : public Window {
  public:
    HelpWindow() : Window("Tavrin MediaPlayer について", 5400, 3300) {}

    Label Picture1;
    Label Label1{"Tavrin MediaPlayer"};
    Label Label2{"Ver,1.40\nCopyright (C) 2026 the zuk developers"};
    Label Label3{"https://zuk.example.org/"};
    Label Label5{"Mail："};
    Label Label4{"zuk@example.org"};
    // A click on the window's own surface.
    Handler onSurfaceClick;
};

}  // namespace zuk
