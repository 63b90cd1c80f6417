// Reading a workbook back through minizip, loaded when the first workbook is checked, as
// libxlsxwriter (which brings it along) is loaded when the first workbook is written.
#include "output/workbook_check.h"

#include <unzip.h>

#include <algorithm>
#include <array>
#include <set>
#include <stdexcept>
#include <string_view>

#include "files/pending_file.h"
#include "platform/shared_library.h"

namespace fp {
namespace {

struct MinizipLibrary {
    decltype(&unzOpen64) open;
    decltype(&unzClose) close;
    decltype(&unzGoToFirstFile) firstMember;
    decltype(&unzGoToNextFile) nextMember;
    decltype(&unzGetCurrentFileInfo64) memberInfo;
    decltype(&unzOpenCurrentFile) openMember;
    decltype(&unzReadCurrentFile) readMember;
    decltype(&unzCloseCurrentFile) closeMember;
};

MinizipLibrary loadMinizip() {
    // Kept loaded until the program ends.
    void* library = loadSharedLibrary(FRAMEPLAN_MINIZIP_LIBRARY);
    MinizipLibrary functions;
    lookUpSymbol(library, "unzOpen64", functions.open);
    lookUpSymbol(library, "unzClose", functions.close);
    lookUpSymbol(library, "unzGoToFirstFile", functions.firstMember);
    lookUpSymbol(library, "unzGoToNextFile", functions.nextMember);
    lookUpSymbol(library, "unzGetCurrentFileInfo64", functions.memberInfo);
    lookUpSymbol(library, "unzOpenCurrentFile", functions.openMember);
    lookUpSymbol(library, "unzReadCurrentFile", functions.readMember);
    lookUpSymbol(library, "unzCloseCurrentFile", functions.closeMember);
    return functions;
}

const MinizipLibrary& minizip(const std::string& shownPath) {
    try {
        static const MinizipLibrary library = loadMinizip();
        return library;
    } catch (const std::runtime_error& failure) {
        throw cannotWrite(shownPath, std::string("the zip library " FRAMEPLAN_MINIZIP_LIBRARY
                                                 ", which reads the workbook back, could not be "
                                                 "loaded (") +
                                         failure.what() + "); write CSV files instead");
    }
}

// Counts the ends of rows and of cells in a sheet's XML read in pieces, and keeps its last
// bytes. Cell texts are escaped, so neither end can stand inside one.
class SheetScan {
  public:
    void take(std::string_view piece) {
        // What is carried over from the piece before is too short to hold a whole end: an end
        // found in it went on into this piece, and is counted once.
        std::string text = carried_ + std::string(piece);
        written_.rows += countEnds(text, "</row>");
        written_.cells += countEnds(text, "</c>");
        carried_ = text.substr(text.size() - std::min(text.size(), kLongestEnd - 1));
        ending_ = (ending_ + std::string(piece));
        ending_.erase(0, ending_.size() - std::min(ending_.size(), kSheetEnd.size()));
    }

    const SheetWritten& written() const { return written_; }
    bool endsAsASheetEnds() const { return ending_ == kSheetEnd; }

  private:
    static constexpr std::size_t kLongestEnd = std::string_view("</row>").size();
    static constexpr std::string_view kSheetEnd = "</worksheet>";

    std::uint64_t countEnds(const std::string& text, std::string_view end) const {
        std::uint64_t count = 0;
        for (std::size_t at = text.find(end); at != std::string::npos;
             at = text.find(end, at + 1)) {
            // Ends that lie wholly in the carried bytes were counted with the piece before.
            count += at + end.size() > carried_.size() ? 1 : 0;
        }
        return count;
    }

    std::string carried_;
    std::string ending_;
    SheetWritten written_;
};

// The part names [Content_Types].xml lists ("/xl/workbook.xml"), without their leading slash.
std::set<std::string> namedParts(const std::string& contentTypes) {
    std::set<std::string> parts;
    constexpr std::string_view kKey = "PartName=\"/";
    for (std::size_t at = contentTypes.find(kKey); at != std::string::npos;
         at = contentTypes.find(kKey, at)) {
        at += kKey.size();
        const std::size_t end = contentTypes.find('"', at);
        if (end == std::string::npos) {
            break;
        }
        parts.insert(contentTypes.substr(at, end - at));
    }
    return parts;
}

// The package opened for reading, closed again however the reading ends.
class OpenPackage {
  public:
    OpenPackage(const MinizipLibrary& zip, const std::string& path)
        : zip_(zip), file_(zip.open(path.c_str())) {}
    ~OpenPackage() {
        if (file_ != nullptr) {
            zip_.close(file_);
        }
    }
    OpenPackage(const OpenPackage&) = delete;
    OpenPackage& operator=(const OpenPackage&) = delete;

    unzFile file() const { return file_; }

  private:
    const MinizipLibrary& zip_;
    unzFile file_;
};

// The most bytes of [Content_Types].xml read: a workbook of three sheets has a few hundred.
constexpr std::size_t kLongestContentTypes = std::size_t{1} << 20;

class PackageReading {
  public:
    PackageReading(const MinizipLibrary& zip, const std::vector<SheetWritten>& sheets,
                   const std::string& shownPath)
        : zip_(zip), expected_(sheets), scans_(sheets.size()), shownPath_(shownPath) {}

    void read(const std::string& path) {
        const OpenPackage package(zip_, path);
        if (package.file() == nullptr) {
            fail("it is no zip package");
        }
        for (int status = zip_.firstMember(package.file()); status != UNZ_END_OF_LIST_OF_FILE;
             status = zip_.nextMember(package.file())) {
            if (status != UNZ_OK) {
                fail("its list of parts cannot be read");
            }
            readMember(package.file());
        }
        checkParts();
    }

  private:
    [[noreturn]] void fail(const std::string& why) const {
        throw cannotWrite(shownPath_, "the workbook read back is not whole: " + why);
    }

    void readMember(unzFile file) {
        std::array<char, 1024> name{};
        unz_file_info64 info{};
        if (zip_.memberInfo(file, &info, name.data(), name.size() - 1, nullptr, 0, nullptr, 0) !=
            UNZ_OK) {
            fail("a part of it cannot be read");
        }
        const std::string part(name.data());
        members_.insert(part);
        SheetScan* sheet = sheetScan(part);
        std::string contentTypes;
        if (zip_.openMember(file) != UNZ_OK) {
            fail("its part " + part + " cannot be opened");
        }
        std::array<char, 1 << 16> buffer{};
        int read = 0;
        while ((read = zip_.readMember(file, buffer.data(), buffer.size())) > 0) {
            const std::string_view piece(buffer.data(), static_cast<std::size_t>(read));
            if (sheet != nullptr) {
                sheet->take(piece);
            } else if (part == "[Content_Types].xml" &&
                       contentTypes.size() < kLongestContentTypes) {
                contentTypes.append(piece);
            }
        }
        // Closing a part read to its end compares its checksum.
        const int closed = zip_.closeMember(file);
        if (read < 0 || closed != UNZ_OK) {
            fail("its part " + part +
                 (closed == UNZ_CRCERROR ? " fails its checksum" : " cannot be read to its end"));
        }
        if (!contentTypes.empty()) {
            namedParts_ = namedParts(contentTypes);
        }
    }

    // The scan of the sheet `part` is, or nullptr: "xl/worksheets/sheet2.xml" is the second.
    SheetScan* sheetScan(const std::string& part) {
        for (std::size_t i = 0; i < scans_.size(); ++i) {
            if (part == "xl/worksheets/sheet" + std::to_string(i + 1) + ".xml") {
                return &scans_[i];
            }
        }
        return nullptr;
    }

    void checkParts() const {
        if (namedParts_.empty()) {
            fail("it has no list of its parts");
        }
        for (const std::string& part : namedParts_) {
            if (members_.count(part) == 0) {
                fail("its part " + part + " is missing");
            }
        }
        for (std::size_t i = 0; i < scans_.size(); ++i) {
            const SheetWritten& found = scans_[i].written();
            if (found.rows != expected_[i].rows || found.cells != expected_[i].cells ||
                !scans_[i].endsAsASheetEnds()) {
                fail("its sheet " + expected_[i].name + " is cut short");
            }
        }
    }

    const MinizipLibrary& zip_;
    const std::vector<SheetWritten>& expected_;
    std::vector<SheetScan> scans_;
    std::set<std::string> members_;
    std::set<std::string> namedParts_;
    const std::string& shownPath_;
};

}  // namespace

void checkWorkbookWhole(const std::string& path, const std::vector<SheetWritten>& sheets,
                        const std::string& shownPath) {
    PackageReading(minizip(shownPath), sheets, shownPath).read(path);
}

}  // namespace fp
