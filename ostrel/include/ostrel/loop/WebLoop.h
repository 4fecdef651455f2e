#pragma once

namespace ostrel
{

// Runs the game on the browser's animation frames (built with Emscripten only): each
// animation frame runs one GameManager::runFrame() for every frame time that has passed, so
// the game keeps its pace whatever the screen's refresh rate. While the picture stands still
// a timer wakes it instead, running the frames owed; the page's input or a frame that changes
// the picture brings the animation frames back. Never returns to its caller;
// once the game is over the loop stops and the engine shuts down.
void runWebLoop();

} // namespace ostrel
