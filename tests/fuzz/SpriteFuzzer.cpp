// Feeds arbitrary bytes to the sprite loader as a sprite file. Any crash, leak, undefined
// behaviour or runaway allocation is a finding. Run through scripts/fuzz.
#include <ostrel/core/LogManager.h>
#include <ostrel/graphics/Sprite.h>
#include <ostrel/resources/ResourceManager.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>

namespace
{

const char* const INPUT_FILE = "fuzz-sprite.txt";

bool start()
{
    ostrel::LogManager::getInstance().startUp();
    return ostrel::ResourceManager::getInstance().startUp() == 0;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static const bool started = start();
    static int runs = 0;
    if (!started)
    {
        return 0;
    }
    // Start the log afresh now and then, so that it does not fill the disk.
    if (++runs % 10000 == 0)
    {
        ostrel::LogManager::getInstance().shutDown();
        ostrel::LogManager::getInstance().startUp();
    }

    std::FILE* file = std::fopen(INPUT_FILE, "wb");
    if (!file)
    {
        return 0;
    }
    std::fwrite(data, 1, size, file);
    std::fclose(file);

    ostrel::ResourceManager& resources = ostrel::ResourceManager::getInstance();
    if (resources.loadSprite(INPUT_FILE, "fuzzed") == 0)
    {
        // Read every frame back, as drawing would.
        const ostrel::Sprite* sprite = resources.getSprite("fuzzed");
        std::size_t characters = 0;
        for (int i = 0; i < sprite->getFrameCount(); ++i)
        {
            characters += sprite->getFrame(i).getString().size();
        }
        (void)characters;
        resources.unloadSprite("fuzzed");
    }
    return 0;
}
