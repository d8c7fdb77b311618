// The about box: name, file version and picture.
#pragma once

#include <string>

#include "platform/platform.h"

namespace norvi {

class Program;

class Tfabout {
public:
    explicit Tfabout(Program& program) : p_(program) {}
    void FormCreate();

    Tfabout(const Tfabout&) = delete;
    Tfabout& operator=(const Tfabout&) = delete;

private:
    Program& p_;
};

}  // namespace norvi
