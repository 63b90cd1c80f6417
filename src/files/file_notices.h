// What the program tells of files it finds left by an earlier run (a set it finished or rolled
// back), wherever in the program it comes across them: the command line says it on standard
// error, the window in its status bar.
#pragma once

#include <functional>
#include <string>

namespace fp {

using FileNotice = std::function<void(const std::string& text)>;

// Where notices go from now on, from any thread; an empty function drops them. Returns where
// they went before.
FileNotice setFileNotice(FileNotice notice);

// Tells `text` where notices go.
void tellFileNotice(const std::string& text);

// While it lives, notices go to `notice`; then where they went before.
class FileNoticeScope {
  public:
    explicit FileNoticeScope(FileNotice notice) : before_(setFileNotice(std::move(notice))) {}
    ~FileNoticeScope() { setFileNotice(std::move(before_)); }
    FileNoticeScope(const FileNoticeScope&) = delete;
    FileNoticeScope& operator=(const FileNoticeScope&) = delete;

  private:
    FileNotice before_;
};

}  // namespace fp
