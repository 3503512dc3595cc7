#ifndef NSHTML_COMMON_ZVINSTALLOPTIONS_H
#define NSHTML_COMMON_ZVINSTALLOPTIONS_H

#include <cstdio>
#include <string>
#include <utility>
#include <vector>

#include "StringHash.h"

// The suite's install options: the file "pellam.properties" in the install directory, read once
// into a table that every option lookup answers from.
//
//   ZvInstallOptions::GetOption(ZvInstallOptions::DEBUG_FILENAME) -> "/tmp/debug.txt", or null
//
// The table is created by the one ZvInstallOptions object that the trace module constructs at
// load time, and destroyed with it when the library is unloaded.
class ZvInstallOptions {
 public:
  // A key/value table with a loader and a writer for files of "key=value" lines.
  class Properties : public StringHash {
   public:
    Properties();

    void setProperty(const char* key, const char* value);
    void setProperty(const char* key, bool value);  // "true" / "false"
    void setProperty(const char* key, int value);   // decimal text

    // The value stored under key, or defaultValue when there is none. Ignoring case, every key
    // is compared and the last match in key order wins: with "Native" and "native" stored,
    // "NATIVE" answers the value of "native".
    const char* GetProperty(const char* key, const char* defaultValue, bool ignoreCase);

    // Replaces the table's content with the stream's "key=value" lines and marks it loaded. A
    // UTF-8 byte-order mark is skipped. UTF-16 text (with either byte-order mark, or without one,
    // told by its zero bytes) is refused: the table is left as it is, and the first refusal is
    // reported on the console with sourceName. Returns the number of entries.
    int Load(FILE* stream, const char* sourceName = nullptr);
    bool IsLoaded() const { return m_loaded; }

    // True when the stream starts with FF FE; the stream is rewound either way.
    static bool IsUnicode(FILE* stream);

    enum class Encoding { kUtf8, kUtf8WithMark, kUtf16LittleEndian, kUtf16BigEndian, kUtf16NoMark };
    // What the first bytes of the stream say; the stream is rewound either way.
    static Encoding DetectEncoding(FILE* stream);

    // Rewrites the file at path as "key=value\r\n" lines in key order.
    void save(const char* path);
    // Writes a header and every entry to the stream, for diagnostics.
    void dump(FILE* stream);

   private:
    static constexpr int kInitialCapacity = 100;

    static void ParseLine(char* line, std::vector<std::pair<std::string, std::string>>* pairs);
    void AddInKeyOrder(std::vector<std::pair<std::string, std::string>>* pairs);
    void ReportRefusal(Encoding encoding, const char* sourceName);

    bool m_loaded = false;
    bool m_refusalReported = false;
  };

  // Creates the install options table; the destructor releases it.
  ZvInstallOptions();
  ~ZvInstallOptions();
  ZvInstallOptions(const ZvInstallOptions&) = delete;
  ZvInstallOptions& operator=(const ZvInstallOptions&) = delete;

  // The option's value (owned by the table, valid until unload) or null when the option is not
  // set, is set to OPTIONNOTSET, or the file cannot be read. An unreadable file is looked for
  // again on the next call.
  static char* GetOption(const char* key);

  // The install directory from the environment, found once and kept; null when there is none.
  static char* GetInstallDir();
  // Sets the install directory unless a different one (ignoring case) is already known. The
  // text is copied; a pointer handed out earlier stays valid.
  static void SetInstallDir(const char* dir);

  // The install options file opened for binary reading, or null.
  static FILE* GetPropertiesStream();

  // Removes white space from both ends in place: "  a b \r\n" -> "a b". Returns s.
  static char* Trim(char* s);
  // Removes one trailing "/" or "\\" in place: "/opt/zv/" -> "/opt/zv".
  static void StripTrailingSlash(char* s);

  static constexpr const char* fileSeparator = "/";
  static constexpr const char* EOL = "\n";
  static constexpr const char* OPTIONNOTSET = "<ZvInstallOption Not Set>";
  static constexpr const char* PROPERTIES_FILE_NAME = "pellam.properties";
  // Where platforms with a system registry keep the install directory; unused here.
  static constexpr const char* installKeyName = "SOFTWARE\\Tamarol Software\\Tamarol Test\\8";
  static constexpr const char* installDirValueName = "Tamarol ZV Install Directory";

  // Option keys.
  static constexpr const char* VBC = "tamarol.test.zv.vbc";
  static constexpr const char* VBC_OPTIONS = "tamarol.test.zv.vbc.options";
  static constexpr const char* CSC = "tamarol.test.zv.csc";
  static constexpr const char* CSC_OPTIONS = "tamarol.test.zv.csc.options";
  static constexpr const char* JAVAC = "tamarol.test.zv.javac";
  static constexpr const char* JAVAC_OPTIONS = "tamarol.test.zv.javac.options";
  static constexpr const char* MESSAGESBASE = "tamarol.test.zv.messagesbase";
  static constexpr const char* NATIVEPATH = "tamarol.test.zv.nativepath";
  static constexpr const char* WINDOWLISTENER = "tamarol.test.zv.windowlistener";
  static constexpr const char* BACK2PLDEBUG = "tamarol.test.zv.debug.back2pldebug";
  static constexpr const char* DEBUG_ENABLED = "tamarol.test.zv.debug.enabled";
  static constexpr const char* DEBUG_CLEAR = "tamarol.test.zv.debug.clear_on_init";
  static constexpr const char* DEBUG_FACILITIES = "tamarol.test.zv.debug.filter";
  static constexpr const char* DEBUG_FORMAT = "tamarol.test.zv.debug.format";
  static constexpr const char* DEBUG_FILENAME = "tamarol.test.zv.debug.filename";
  static constexpr const char* DEBUG_OUTPUT_TO_CONSOLE = "tamarol.test.zv.debug.debugconsole";
  static constexpr const char* STRING = "tamarol.test.zv.support";
  static constexpr const char* INSTALLDIR_IGNORE_MISMATCH =
      "tamarol.test.zv.installdir.ignore_mismatch";
  static constexpr const char* DEBUG_NATIVE_TO_FILE = "tamarol.test.zv.debug.native_to_file";
  static constexpr const char* DEBUG_NATIVE_TO_CONSOLE = "tamarol.test.zv.debug.native_to_console";
  static constexpr const char* WINDOWS_TONOT_LISTEN_ON = "tamarol.test.zv.noport_for_window";
  static constexpr const char* SINGLE_MOUSE_MOVE =
      "tamarol.test.zv.script.playback.mouse.single_move";
  static constexpr const char* ALLOW_MULTIPLE_THREADS =
      "tamarol.test.zv.script.playback.mouse.allow_multiple_threads";
  static constexpr const char* HTML_AJAX_AUTOTRACEON = "tamarol.test.zv.html.ajax.autotrace";
  static constexpr const char* HTML_FF_ZINDEXFORDIV = "tamarol.test.zv.html.ff.zindexfordiv";
  static constexpr const char* HTML_ENABLE_DOJOFEATURE = "tamarol.test.zv.html.enabledojofeature";
  static constexpr const char* HTML_ENABLE_IE7PERFORMCHANGES =
      "tamarol.test.zv.html.enableie7performancechanges";
  static constexpr const char* HTML_IE_OWNERLESSDIALOG =
      "tamarol.test.zv.html.enablesupport4ownerlessiedialog";
  static constexpr const char* SUPPORT_IE_PROTECTED_MODE = "tamarol.test.zv.support_protected_mode";
  static constexpr const char* PLAYER_HOOK64PROCESS_ENABLED =
      "tamarol.test.zv.player.hook64process.enabled";
  static constexpr const char* BROWSER_INFEST = "tamarol.test.zv.browser.infest_on_demand";
  static constexpr const char* RESPECT_WIDE_SPACE = "tamarol.test.zv.html.respectwidespace";
  static constexpr const char* HTML_NOT_BROKEN_DOM = "tamarol.test.zv.html.notbrokendom";
  static constexpr const char* PLAY_WITH_NUMPAD = "tamarol.test.zv.playspecial";
  static constexpr const char* RETRY_OUTOFSYNC_KB_EVENTS = "tamarol.test.zv.retryoutofsynckbevents";
  static constexpr const char* ENABLE_LCIE_PROCESSING = "tamarol.test.zv.enablelcieprocessing";
  static constexpr const char* USE_CTRL_WITH_ALTGR = "tamarol.test.zv.usectrlwithaltgr";
  static constexpr const char* ENABLE_FAST_PROCESSING = "tamarol.test.zv.shortenprocesstimeout";
  static constexpr const char* EXCLUDE_PROCESS_LIST = "zav.list.exclude.processes";

 private:
  static constexpr unsigned kInstallDirBufferSize = 512;

  static Properties* s_pellamProperties;
  static char* s_installDir;
};

// The first entry of a ":"-separated list that exists, or null; empty entries are skipped.
// "/missing:/opt/zv" -> "/opt/zv". The result stays valid until the next call.
const char* getFirstAccessibleFile(const char* list);

// Lower-cases s in place and returns it.
char* strlwr(char* s);

#endif  // NSHTML_COMMON_ZVINSTALLOPTIONS_H
