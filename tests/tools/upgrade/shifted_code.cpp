// Code that only the upgrade scenario's next version carries: linked in front of the
// library's own objects, it moves every function of that build to another offset.
extern "C" void LunaNextVersionShift();

extern "C" __attribute__((used, noinline)) void LunaNextVersionShift() {
    __asm__ volatile(".fill 12288, 1, 0x90");
}
