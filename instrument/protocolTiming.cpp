#include "protocolTiming.h"

namespace {

protocolTiming &inForce()
{
    static protocolTiming timing;
    return timing;
}

} // namespace

const protocolTiming &protocolTiming::current()
{
    return inForce();
}

void protocolTiming::set(const protocolTiming &timing)
{
    inForce() = timing;
}
