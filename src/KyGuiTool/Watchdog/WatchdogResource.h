// Resource ids of the process watchdog (Watchdog.rc): the "Task Status"
// dialog and its explanation.
#pragma once

#define IDR_KY_END_TASK_TEXT 24712
#define IDD_KY_END_TASK_STATUS 25070

#define IDC_KY_END_TASK 1022
#define IDC_KY_WAIT 1023
#define IDC_KY_END_TASK_TEXT 1025

// The custom resource type of the explanation.
#define KY_MESSAGE_TEXT_TYPE "MESSAGE_TEXT"
