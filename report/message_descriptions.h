// The message description file: for each message a key line, a cause line and a remedy line
// (code page 850, CR LF). A line matches a message on their first 14 characters; the first wins.
#pragma once

#include <istream>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>

#include "base/configuration_record.h"
#include "base/identity.h"
#include "base/interaction.h"

namespace vx11 {

inline constexpr std::size_t kDescriptionKeyLength = 14;
inline constexpr const char* kNoDescription = "keine Beschreibung dieser Fehlermeldung vorhanden.";

struct MessageDescription {
  std::string cause;
  std::string remedy;
};

// Where the description file lives, and the name of its work file: the short name in lower case
// with ".err", in the help-picture folder and in the temporary folder. Saving never writes the work
// file (the new text goes straight to a file beside the source, see saveDescription); the pair only
// keeps the rule that a source lying where its work file would lie is not saved.
struct DescriptionFiles {
  std::string source;
  std::string work;
};
DescriptionFiles descriptionFiles(std::string_view help_picture_folder, std::string_view temp_folder,
                                  const ProgramIdentity& id);
// The same from the configuration ("PLT Ordner"; an empty temporary folder is the system's).
DescriptionFiles descriptionFiles(const Configuration& config, const ProgramIdentity& id);

// True when the line is the key of the message: equal on the first 14 characters.
bool keyMatches(std::string_view line, std::string_view message);

// The description of the first matching line; nullopt when no line matches, or the matching
// line is the file's last. A missing remedy line reads as empty.
std::optional<MessageDescription> findDescription(std::istream& in, std::string_view message);

// Copies `in` to `out` with the cause and remedy after the message's key line replaced.
// False when no line matches (what was copied so far is then of no use).
bool rewriteDescription(std::istream& in, std::ostream& out, std::string_view message,
                        const MessageDescription& description);

// The texts the message section prints: with a missing file both empty; with no matching
// record the cause says that there is no description and the remedy is empty.
MessageDescription describeForPrint(const std::string& source, std::string_view message);

// Looks the message up for the description dialog. A file that cannot be read gives the error
// box and `unreadable`; no description then and when nothing matches (after the "Meldung" box).
struct DescriptionLookup {
  std::optional<MessageDescription> description;
  bool unreadable = false;  // the browsing ends
};
DescriptionLookup lookUpForDialog(const std::string& source, std::string_view message, Interaction& ui);

// Replaces the source by its text with the changed description, through replace_file: on any
// failure the source stays byte for byte as it was and the box says so. Nothing happens when
// source and work file are the same path, and a message without a record is only reported.
enum class DescriptionSave { Saved, NotSaved, Failed };
DescriptionSave saveDescription(const DescriptionFiles& files, std::string_view message,
                                const MessageDescription& description, Interaction& ui);

// "Datei <name> nicht gefunden oder kein Zugriffsrecht !"
std::string fileNotFoundText(std::string_view path);

}  // namespace vx11
