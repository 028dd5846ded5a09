// Saves a PNG of every page of both windows into the folder given, for a person to
// look at: clipped or overlapping text shows there, not in a test.
#include "support/student.h"

#include "widgets/start_up.h"

#include <QDir>

namespace ulvane {

QDir folder;

class Screenshots : public StudentTest
{
};

TEST_F(Screenshots, EveryPage)
{
    const char *const pages[][2] = {
        {"start-1-page", "type Text1 R28"},
        {"start-2-test", "click Command1"},
        {"start-3-test-paged", "click down; click down; click down; click down; click down"},
        {"workbook-1-lightning-cables", "set Text1 R2864; click Command1"},
        {"workbook-2-lightning-data", "click Label79; type MaskEdBox3 3800; type MaskEdBox2 14; type MaskEdBox1 210; "
                                      "type MaskEdBox4 2000; type MaskEdBox5 40; click Check1; type MaskEdBox6 10; "
                                      "type MaskEdBox7 200; click Label79"},
        {"workbook-3-influence-cables", "tab 0; click Option14"},
        {"workbook-4-influence-norm-met", "click Label52; type Mask1 100; type Mask2 100; type Mask3 1000; "
                                          "type Mask4 100; click Label54"},
        {"workbook-5-influence-not-suitable", "type Mask2 010; click Label54"},
        {"workbook-6-influence-wire-120", "type Mask2 043; click Label54"},
        {"workbook-7-influence-after-return", "click Label53"},
    };
    for (const auto &[name, actions] : pages) {
        act(QString::fromUtf8(actions));
        QApplication::processEvents();
        window()->grab().save(folder.filePath(QString::fromLatin1(name) + ".png"));
    }
}

} // namespace ulvane

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    ulvane::setUpApplication();
    ulvane::folder.setPath(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("."));
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
