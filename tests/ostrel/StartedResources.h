#pragma once

#include "TestDir.h"

#include <gtest/gtest.h>
#include <ostrel/core/LogManager.h>
#include <ostrel/resources/ResourceManager.h>

#include <sstream>
#include <string>
#include <vector>

// A fresh folder with the log and resource managers started in it, and the log's lines.
class StartedResources : public testing::Test
{
protected:
    void SetUp() override
    {
        ostrel::LogManager::getInstance().setFlush(true);
        ASSERT_EQ(ostrel::LogManager::getInstance().startUp(), 0);
        ASSERT_EQ(resources.startUp(), 0);
    }

    void TearDown() override
    {
        resources.shutDown();
        ostrel::LogManager::getInstance().shutDown();
    }

    std::vector<std::string> logLines() const
    {
        std::istringstream log(dir.read("ostrel.log"));
        std::vector<std::string> lines;
        for (std::string line; std::getline(log, line);)
        {
            lines.push_back(line);
        }
        return lines;
    }

    // The lines written since the log held `before` lines.
    std::vector<std::string> logLinesSince(std::size_t before) const
    {
        const std::vector<std::string> lines = logLines();
        return std::vector<std::string>(lines.begin() + static_cast<std::ptrdiff_t>(std::min(before, lines.size())),
                                        lines.end());
    }

    bool logHas(const std::string& line) const
    {
        for (const std::string& seen : logLines())
        {
            if (seen == line)
            {
                return true;
            }
        }
        return false;
    }

    testing_support::TestDir dir;
    ostrel::ResourceManager& resources = ostrel::ResourceManager::getInstance();
};
