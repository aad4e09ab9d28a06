// Resource ids of the GUI control library (its resource script includes this).
#pragma once
