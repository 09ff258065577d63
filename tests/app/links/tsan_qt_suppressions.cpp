// Qt and GLib are not built with the thread sanitizer: the threads of Qt's
// own pools (image scaling, for one) hand work over with futexes the
// sanitizer cannot see, so what those libraries allocate and copy there
// looks racy. The sanitizer leaves the calls made by these libraries alone;
// our own code is checked in full, the window's hand-over from the links
// included.
#if defined(__SANITIZE_THREAD__)
extern "C" const char* __tsan_default_suppressions() {
  return "called_from_lib:libQt6Core.so\n"
         "called_from_lib:libQt6Gui.so\n"
         "called_from_lib:libglib-2.0.so\n";
}
#endif
