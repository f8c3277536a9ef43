#pragma once

// Whether `name` appears in a space-separated extension string as a whole entry. Only the character
// behind an occurrence decides: a space or the end of the string. A null string matches nothing.
bool isExtensionSupported(const char* extensionString, const char* name);
