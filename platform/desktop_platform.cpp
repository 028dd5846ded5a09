#include "platform/platform.h"

#include "widgets/message_box.h"

namespace ulvane {

namespace {

class DesktopPlatform : public Platform
{
public:
    MessageBox &messages() override { return m_messages; }

private:
    ModalMessageBox m_messages;
};

} // namespace

std::unique_ptr<Platform> Platform::make()
{
    return std::make_unique<DesktopPlatform>();
}

} // namespace ulvane
