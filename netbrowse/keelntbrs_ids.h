// Resource ids of the browser library: its list icons, in image-list order.
#pragma once

#define IDI_NETVIEW_DOMAIN 100
#define IDI_NETVIEW_HOST 101
#define IDI_NETVIEW_USER 102
#define IDI_NETVIEW_GROUP 103
