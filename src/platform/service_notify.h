#pragma once

#include <string>

// Tells systemd, when it runs this program as a service of Type=notify ($NOTIFY_SOCKET set), how the
// service stands: "READY=1", "STATUS=Counting down to ...", "STOPPING=1". Never blocks; without
// $NOTIFY_SOCKET it does nothing. Returns true when the message was sent.
bool NotifyService(const std::string& state);
