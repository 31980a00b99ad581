#pragma once
// Writing files: whole contents replaced atomically; text tables in Windows-1252 with CR LF.
#include <string>
#include <vector>

namespace vagaris {

// Every line followed by CR LF (the last one too), converted from UTF-8 to Windows-1252.
// Characters that Windows-1252 cannot hold become "?".
std::string EncodeTextFile(const std::vector<std::string>& utf8Lines);

// Replaces `path` with `bytes` through AtomicFile (core/AtomicFile.h): a failure leaves the
// previous file whole. Throws EWriteError, "No se pudo escribir '<path>': <reason>".
void WriteFileAtomically(const std::string& path, const std::string& bytes);

}  // namespace vagaris
