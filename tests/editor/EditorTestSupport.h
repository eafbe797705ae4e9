#pragma once

#include <SDL.h>

#include <functional>
#include <string>
#include <vector>

// Helpers shared by the editor's tests: pushed SDL events, level files and
// bitmaps in a scratch folder, and work done in a forked child process.
namespace editortest {

// Pushes a key press (down) or release (up) of key onto SDL's event queue.
void pushKey(SDL_Keycode key, bool down);
// Pushes a mouse button press or release at window pixel (x, y).
void pushButton(Uint8 button, bool down, int x, int y);
// Pushes a pointer motion to window pixel (x, y).
void pushMotion(int x, int y);

// A level text of rows x columns cells, all fill, each row ending in "\n".
std::string levelText(int columns, int rows, char fill = '.');
// Creates "assets" with "Assets" linking to it in the working directory, and
// writes "Assets/level.txt" with the given contents.
void makeAssetFolder(const std::string& level);
// Writes a 32 x 32 bitmap of one colour.
void writeBitmap(const std::string& path, Uint8 r, Uint8 g, Uint8 b);

// What a forked child left behind.
struct ChildResult {
    int exitCode = -1;   // -1 when the child ended by a signal
    std::string output;  // everything it wrote to standard output
};
// Runs body in a forked child whose standard output is captured; body's answer is
// the child's exit status. The child never returns into the test program.
ChildResult runInChild(const std::function<int()>& body);
// Runs the built editor program in folder with standard input at end of file and
// extra environment settings ("NAME=value"); gives up after a time limit.
ChildResult runEditorProgram(const std::string& folder, const std::vector<std::string>& env);
// Names in folder that begin with prefix.
std::vector<std::string> filesStartingWith(const std::string& folder, const std::string& prefix);

}  // namespace editortest
