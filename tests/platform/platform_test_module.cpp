// A module for the modules suite to load: one named entry point.
#ifdef _WIN32
#define TEST_MODULE_EXPORT extern "C" __declspec(dllexport)
#else
#define TEST_MODULE_EXPORT extern "C" __attribute__((visibility("default")))
#endif

TEST_MODULE_EXPORT int ArvenloTestAnswer() { return 42; }
