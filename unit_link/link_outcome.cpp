#include "unit_link/link_outcome.h"

namespace unit_link {

const char* LinkOutcomeCause(LinkOutcome outcome) {
    switch (outcome) {
        case LinkOutcome::Accepted:
            return "the unit answered";
        case LinkOutcome::TimedOut:
            return "the unit did not answer in time";
        case LinkOutcome::Refused:
            return "the unit refused the request (NAK)";
        case LinkOutcome::Garbled:
            return "the unit's reply could not be read";
        case LinkOutcome::PortClosed:
            return "the line is closed, or its device or connection is gone";
    }
    return "";
}

}  // namespace unit_link
