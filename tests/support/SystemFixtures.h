#pragma once
// Fixtures that need the system's help: a lowered descriptor limit, folder chains deeper than
// PATH_MAX, and checks run in a private mount namespace so their mounts vanish with them.

#include <sys/resource.h>

#include <functional>
#include <string>

#include "models/Types.h"

namespace tornivo::test {

// Lowers the soft limit on open descriptors for the lifetime of the object.
class DescriptorLimit {
  public:
    explicit DescriptorLimit(rlim_t limit);
    ~DescriptorLimit();
    DescriptorLimit(const DescriptorLimit&) = delete;
    DescriptorLimit& operator=(const DescriptorLimit&) = delete;
    bool ok() const { return ok_; }

  private:
    rlimit saved_{};
    bool ok_ = false;
};

// A chain root/d/d/.../d with one file at every level (the deepest too), built relative to
// descriptors since its full path is far beyond PATH_MAX. The file of level i is named
// "f<i % 10>" and made after "d", so that in many folders it is listed after the subfolder and
// can only be reached again once a walk has come back up. False when it could not be built.
bool buildChain(const Path& root, int levels);
std::string chainFileName(int level);
// Takes such a chain apart with a constant number of descriptors, whatever is left of it.
void dismantleChain(const Path& root);

// The exit status of a namespace child that could not build its fixture.
inline constexpr int kSkipExit = 77;

struct ChildOutcome {
    bool skipped = false;
    bool passed = false;
    std::string report;
};

// Forks; the child enters a private mount namespace (as root, or as an ordinary user through a
// user namespace) and runs `body`, which writes what went wrong into its report and returns 0
// when every promise held (kSkipExit when it could not build its fixture).
ChildOutcome inMountNamespace(const std::function<int(std::string&)>& body);
// mount(2), or a line in the report saying why not.
bool mountOrSay(const char* source, const Path& target, const char* type, unsigned long flags,
                const char* data, std::string& report);

}  // namespace tornivo::test
