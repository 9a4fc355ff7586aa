# The tick's timing (in bench/) runs under Node.
target_link_options(tick_timing PRIVATE -sENVIRONMENT=node)
