#include "platform.h"

#include <fcntl.h>
#include <io.h>

namespace tess::cli::platform {

int duplicate(int fd) { return _dup(fd); }
void duplicateOnto(int fd, int target) { _dup2(fd, target); }
void closeDescriptor(int fd) { _close(fd); }
int openNullDevice() { return _open("NUL", _O_WRONLY); }
bool isTerminal(FILE *stream) { return _isatty(_fileno(stream)) != 0; }

} // namespace tess::cli::platform
