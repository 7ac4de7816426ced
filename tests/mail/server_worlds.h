#pragma once
// The private mail servers the server tests run against; not running when
// they could not be started.

#include "tests/mail/server_state.h"

namespace MailTesting {

const ServerState& TestServers();

} // namespace MailTesting
