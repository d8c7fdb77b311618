#include "about/tfabout.h"

#include "app/program.h"

namespace norvi {

void Tfabout::FormCreate() {
    p_.lock.LastForegroundWnd = p_.platform.desktop().foregroundWindow();
}

}  // namespace norvi
