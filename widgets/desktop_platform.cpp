#include "widgets/platform.h"

#include "widgets/fonts.h"

namespace ulvane {

void setUpPlatform()
{
}

QString platformSansFamily()
{
    return layoutFamily(Typeface::Sans);
}

std::unique_ptr<MessageBox> makePlatformMessageBox()
{
    return std::make_unique<ModalMessageBox>();
}

} // namespace ulvane
