#pragma once

// What the main window asks of every page in its stack. A page is a QWidget that also
// implements this; the main window's navigation table says which item brings which page
// to the front.
class Page {
public:
    virtual ~Page() = default;

    // Once, when the main window is made: starting values such as the period pickers.
    virtual void setUp() {}
    // Each time a navigation item or link brings the page to the front (after the page
    // was brought there), with the page's own steps: clean-ups, reloads, refreshes.
    virtual void enter() = 0;
    // Before another page comes to the front, the page is entered again, or the window
    // closes. False keeps the user where they are (unsaved changes they chose to keep).
    virtual bool leave() { return true; }
};
