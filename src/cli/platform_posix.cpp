#include "platform.h"

#include <fcntl.h>
#include <unistd.h>

namespace tess::cli::platform {

int duplicate(int fd) { return ::dup(fd); }
void duplicateOnto(int fd, int target) { ::dup2(fd, target); }
void closeDescriptor(int fd) { ::close(fd); }
int openNullDevice() { return ::open("/dev/null", O_WRONLY | O_CLOEXEC); }
bool isTerminal(FILE *stream) { return ::isatty(::fileno(stream)) == 1; }

} // namespace tess::cli::platform
