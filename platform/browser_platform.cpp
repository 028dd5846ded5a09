#include "platform/platform.h"

#include "platform/browser_faces.h"
#include "platform/browser_message_box.h"
#include "platform/browser_page.h"
#include "platform/browser_placement.h"
#include "platform/browser_touch.h"

#include <QApplication>

namespace ulvane {

namespace {

// The program in a web page: windows placed on the page, the faces it brings, a
// finger's gestures, and the page told what the student has done.
class BrowserPlatform : public Platform
{
public:
    MessageBox &messages() override { return m_messages; }
    void workbookOpened(WayIn way) override { tellPageWayIn(way); }
    void studyShownResult(int study, int studies, const StudyRecord &record) override
    {
        tellPageStudyShownResult(study, studies, record);
    }
    void workFinished() override { tellPageWorkFinished(); }

protected:
    void setUp() override
    {
        useLayoutFaces();
        placeWindowsOnThePage();
        qApp->installEventFilter(new LongPress(qApp));
        qApp->installEventFilter(new DistantTaps(qApp));
        // The browser may not take a gesture on a window as its own; pinching still
        // zooms the page.
        addWindowStyle(".qt-screen div { touch-action: pinch-zoom; }");
    }

private:
    PageMessageBox m_messages;
};

} // namespace

std::unique_ptr<Platform> Platform::make()
{
    return std::make_unique<BrowserPlatform>();
}

} // namespace ulvane
