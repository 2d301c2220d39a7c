// The busy pointer over all of the program's windows for as long as a
// command reads; afterwards always the normal pointer, whatever was before.
#pragma once

class TBusyCursor {
public:
    TBusyCursor();
    ~TBusyCursor();
    TBusyCursor(const TBusyCursor &) = delete;
    TBusyCursor &operator=(const TBusyCursor &) = delete;
};
