# Sourced by the window's end-to-end scripts: the field session, the checks, and what every
# link failure in the window must show.
source "$(dirname "${BASH_SOURCE[0]}")/../../tools/field_session.sh"
source "$(dirname "${BASH_SOURCE[0]}")/script_checks.sh"

# check_one_message WHAT: one failure box comes up and no second stacks on it within the read
# limit; answered with Return, it goes.
check_one_message() {
    wait_for message_up
    check "$1: a message" 1 "$(shown "$failure_title")"
    sleep 1.5  # longer than the read limit: a second box would stack meanwhile
    check "$1: only one message" 1 "$(shown "$failure_title")"
    answer_message
    wait_for message_gone
    check "$1: the message answered" 0 "$(shown "$failure_title")"
}
