// The block files of the screen output: one file "$<name>.dx$" per block in the temporary folder,
// written while the block is defined and read back where it is inserted.
#pragma once

#include <string>
#include <string_view>

namespace vx11 {

// The block file of `name` in `folder`; a "/" in the name becomes "_", so that a name read from a
// block file cannot lead out of the folder.
std::string temporary_block_file(std::string_view folder, std::string_view name);

// Deletes every "$*.dx$" file in `folder`; an unreadable folder or file is left as it is.
void remove_temporary_block_files(const std::string& folder);

}  // namespace vx11
