// The sound finder dialog.
#pragma once

#include "platform/platform.h"

namespace norvi {

class Program;

class TfFind {
public:
    explicit TfFind(Program& program) : p_(program) {}
    void FormCreate() {}
    bool visible() const { return visible_; }

    TfFind(const TfFind&) = delete;
    TfFind& operator=(const TfFind&) = delete;

private:
    Program& p_;
    bool visible_ = false;
};

}  // namespace norvi
