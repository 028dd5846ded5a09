#pragma once

#include "calc/lab_record.h"

#include <QObject>
#include <QString>

#include <memory>

namespace ulvane {

class MessageBox;

// What differs between the desktop, Windows and the browser, behind one interface.
// main starts the one this program was built for and passes it down; the program
// tells it what happens, and it never looks into the program's windows. CMake builds
// one of desktop_platform.cpp, windows_platform.cpp and browser_platform.cpp.
class Platform : public QObject
{
    Q_OBJECT

public:
    ~Platform() override;

    // The box every message of the program goes through. The browser cannot wait
    // inside a call, so there the box is in front of every window until it is
    // closed, and the call returns at once.
    virtual MessageBox &messages() = 0;

    // The family the layout's sans texts ask for: "MS Sans Serif", unless the
    // platform draws it badly (see windows_platform.cpp).
    virtual QString sansFamily() const;

    // The workbook has opened for a student who came in the given way.
    virtual void workbookOpened(WayIn way);

    // A study, the tab at index study of studies tabs, has shown a result, as the
    // record tells.
    virtual void studyShownResult(int study, int studies, const StudyRecord &record);

    // The student has closed the program's last window.
    virtual void workFinished();

protected:
    Platform() = default;

    // Once at start-up, after the fonts are mapped and before the first window.
    virtual void setUp();

private:
    friend std::unique_ptr<Platform> startPlatform();
    static std::unique_ptr<Platform> make();
};

// Once, after the QApplication exists: the platform this program was built for, with
// the fonts the layout names mapped to installed ones, its sans family chosen, Qt's
// own texts (a text box's context menu, standard buttons) in Russian whatever the
// user's locale, since everything the program shows is Russian, the roles screen
// readers see (accessible_roles.h), and what the platform itself needs set up.
std::unique_ptr<Platform> startPlatform();

} // namespace ulvane
