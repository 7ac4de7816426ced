// The scenarios over the mail services that need no server.
#include "tests/mail/transport_scenario.h"

namespace MailTesting {

INSTANTIATE_TEST_SUITE_P(Local, MailScenario, ::testing::Values(FakeWorld(), PostOfficeWorld()),
                         WorldName);
INSTANTIATE_TEST_SUITE_P(Local, TransportScenario, ::testing::Values(FakeWorld(), PostOfficeWorld()),
                         WorldName);

} // namespace MailTesting
