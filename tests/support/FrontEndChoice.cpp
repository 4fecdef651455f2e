#include "FrontEndChoice.h"

#include <ostrel/frontend/HeadlessFrontEnd.h>
#include <ostrel/graphics/DisplayManager.h>

#include <memory>
#include <stdexcept>

namespace testing_support
{

void useHeadless()
{
    ostrel::DisplayManager::getInstance().shutDown();
    ostrel::DisplayManager::getInstance().setFrontEnd(std::make_unique<ostrel::HeadlessFrontEnd>());
}

#if OSTREL_WITH_SFML
void useWindow()
{
    ostrel::DisplayManager::getInstance().shutDown();
    ostrel::DisplayManager::getInstance().setFrontEnd(std::make_unique<ostrel::WindowFrontEnd>());
}

ostrel::WindowFrontEnd& windowFrontEnd()
{
    auto* window = dynamic_cast<ostrel::WindowFrontEnd*>(ostrel::DisplayManager::getInstance().getFrontEnd());
    if (window == nullptr)
    {
        throw std::logic_error("the display's front end is no window");
    }
    return *window;
}
#endif

} // namespace testing_support
